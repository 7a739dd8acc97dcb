-- Master data of the fleet. Every table here is written by an insert without a column list, so
-- the columns stay in exactly this order. Keys are allocated by the program as the highest code
-- plus one; the primary keys make a second workstation's clash fail instead of duplicating a code.

create table vkl_parametros (
  pr_ano integer not null,
  pr_empresa varchar(40),
  pr_sigla varchar(15),
  pr_cnpj varchar(18),
  pr_end varchar(40),
  pr_compl varchar(15),
  pr_bairro varchar(40),
  pr_cid varchar(40),
  pr_uf char(2),
  pr_cep varchar(9),
  pr_fone varchar(14),
  pr_fax varchar(14),
  pr_email varchar(60),
  pr_detran integer,
  pr_resp1 varchar(40),
  pr_resp2 varchar(40),
  pr_resp3 varchar(40),
  pr_contr_km char(2),
  constraint pk_vkl_parametros primary key (pr_ano)
);

create table vkl_motoristas (
  mo_cod integer not null,
  mo_nome varchar(40),
  mo_apelido varchar(15),
  mo_situa char(2),
  constraint pk_vkl_motoristas primary key (mo_cod)
);

create table vkl_tipo_veic (
  tv_cod integer not null,
  tv_descr varchar(20),
  tv_contr char(1),
  constraint pk_vkl_tipo_veic primary key (tv_cod)
);

create table vkl_tipo_combust (
  tc_cod integer not null,
  tc_descr varchar(25),
  tc_material integer,
  tc_valor numeric(18,2),
  constraint pk_vkl_tipo_combust primary key (tc_cod)
);

create table vkl_tabela (
  tb_cod integer not null,
  tb_descr varchar(40),
  tb_tipo char(2),
  tb_contr char(1),
  tb_km integer,
  tb_valor numeric(18,2),
  constraint pk_vkl_tabela primary key (tb_cod)
);

create table vkl_linhas (
  li_cod integer not null,
  li_descr varchar(60),
  constraint pk_vkl_linhas primary key (li_cod)
);

create table vkl_destinos (
  de_cod integer not null,
  de_descr varchar(60),
  constraint pk_vkl_destinos primary key (de_cod)
);

create table vkl_empr_usu (
  eu_cod integer not null,
  eu_nome varchar(40),
  constraint pk_vkl_empr_usu primary key (eu_cod)
);

create table vkl_causa_manut (
  cm_cod integer not null,
  cm_descr varchar(40),
  constraint pk_vkl_causa_manut primary key (cm_cod)
);
