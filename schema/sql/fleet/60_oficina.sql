-- Workshop: service orders with their defects and solutions, lubrication records with their
-- items. Inserted without a column list, so the column order is fixed.

create table vkl_ord_serv (
  os_empr integer not null,
  os_ano integer not null,
  os_nro integer not null,
  os_motorista integer not null,
  os_dt_requer date,
  os_hr_requer time,
  os_veic integer not null,
  os_km_requer integer,
  os_tipo_def char(2),
  os_dt_entr date,
  os_dt_sai date,
  os_hr_entr time,
  os_hr_sai time,
  os_causa integer not null,
  os_mecanico varchar(40),
  os_obs varchar(500),
  os_motivo char(1),
  constraint pk_vkl_ord_serv primary key (os_empr, os_ano, os_nro)
);

create table vkl_itens_ord_serv (
  ios_empr integer not null,
  ios_ano integer not null,
  ios_nro integer not null,
  ios_item integer not null,
  ios_tipo char(1) not null,
  ios_descr varchar(200),
  ios_ano_rm integer,
  ios_nro_rm integer,
  ios_item_rm integer,
  constraint pk_vkl_itens_ord_serv primary key (ios_empr, ios_ano, ios_nro, ios_item, ios_tipo)
);

create table vkl_cad_lub (
  cl_ano integer not null,
  cl_nro integer not null,
  cl_compl char(1) not null,
  cl_veic integer not null,
  cl_motorista integer not null,
  cl_data date,
  cl_km integer,
  constraint pk_vkl_cad_lub primary key (cl_ano, cl_nro, cl_compl)
);

create table vkl_itens_cad_lub (
  icl_ano integer not null,
  icl_nro integer not null,
  icl_compl char(1) not null,
  icl_item integer not null,
  icl_km_prox integer,
  icl_tabela integer not null,
  icl_especif varchar(40),
  icl_quant numeric(18,2),
  icl_valor numeric(18,2),
  icl_obs varchar(200),
  constraint pk_vkl_itens_cad_lub primary key (icl_ano, icl_nro, icl_compl, icl_item)
);
