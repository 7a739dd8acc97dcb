-- Departments of the administration, numbered anew each exercise.
create table setores (
  st_exerc integer not null,
  st_cod varchar(8) not null,
  st_nome varchar(40),
  st_sigla varchar(12),
  st_resp varchar(40),
  constraint pk_setores primary key (st_exerc, st_cod)
);
